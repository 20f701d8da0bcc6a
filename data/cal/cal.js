<script type="text/javascript">
// Pop-up calendar of the date fields. Each date field builds one DynCal object
// right after its input; the object puts a button next to the input, the
// button opens the month view below it, and a click on a day hands day, month
// and year to the field's callback function.
var DynCalMonthNames = ["{#calJan#}", "{#calFeb#}", "{#calMar#}", "{#calApr#}", "{#calMay#}", "{#calJun#}",
  "{#calJul#}", "{#calAug#}", "{#calSep#}", "{#calOkt#}", "{#calNov#}", "{#calDez#}"];
// The week starts on Monday.
var DynCalDayNames = ["{#calMo#}", "{#calTu#}", "{#calWe#}", "{#calTh#}", "{#calFr#}", "{#calSa#}", "{#calSu#}"];
var DynCalOpen = null;

// The date text of the field; day and month get two digits.
function formatDate(day, month, year) {
  day = (day < 10 ? "0" : "") + day;
  month = (month < 10 ? "0" : "") + month;
  year = String(year);
  return {#calDateFormat#};
}

function DynCal(objName, callbackName, startYear, endYear) {
  var self = this;
  this.objName = objName;
  this.callbackName = callbackName;
  this.startYear = Math.min(startYear, endYear);
  this.endYear = Math.max(startYear, endYear);
  this.visible = false;
  var today = new Date();
  this.month = today.getMonth();
  this.year = Math.min(Math.max(today.getFullYear(), this.startYear), this.endYear);

  this.holder = document.createElement("span");
  this.holder.className = "dyncal-holder";
  var button = document.createElement("button");
  button.type = "button";
  button.className = "dyncal-button";
  // A small calendar picture that needs no font or image file.
  button.innerHTML = '<svg width="14" height="14" viewBox="0 0 14 14" aria-hidden="true">' +
      '<rect x="1" y="2.5" width="12" height="10.5" fill="none" stroke="currentColor"/>' +
      '<rect x="1" y="2.5" width="12" height="3" fill="currentColor"/>' +
      '<rect x="3.5" y="0.5" width="1.5" height="3" fill="currentColor"/>' +
      '<rect x="9" y="0.5" width="1.5" height="3" fill="currentColor"/></svg>';
  button.onclick = function () { self.toggleCal(); return false; };
  this.box = document.createElement("div");
  this.box.className = "dyncal";
  this.box.style.display = "none";
  this.holder.appendChild(button);
  this.holder.appendChild(this.box);

  // The calendar goes where the constructing script stands, that is right
  // after the field's input.
  var anchor = document.currentScript;
  if (!anchor) {
    var fieldName = objName.replace(/_Cal$/, "");
    var fields = document.getElementsByName(fieldName);
    anchor = fields.length ? fields[fields.length - 1].nextSibling : null;
  }
  if (anchor && anchor.parentNode) anchor.parentNode.insertBefore(this.holder, anchor);
  else document.body.appendChild(this.holder);
}

// Shows the calendar, or hides it when it is shown.
DynCal.prototype.toggleCal = function () {
  if (this.visible) {
    this.box.style.display = "none";
    this.visible = false;
    if (DynCalOpen === this) DynCalOpen = null;
    return;
  }
  if (DynCalOpen && DynCalOpen !== this) DynCalOpen.toggleCal();
  this.render();
  this.box.style.display = "block";
  this.visible = true;
  DynCalOpen = this;
};

DynCal.prototype.showMonth = function (month, year) {
  if (month < 0) { month = 11; year--; }
  if (month > 11) { month = 0; year++; }
  if (year < this.startYear || year > this.endYear) return;
  this.month = month;
  this.year = year;
  this.render();
};

DynCal.prototype.render = function () {
  var self = this;
  var box = this.box;
  while (box.firstChild) box.removeChild(box.firstChild);

  var head = document.createElement("div");
  head.className = "dyncal-head";
  var prev = document.createElement("button");
  prev.type = "button";
  prev.className = "dyncal-prev";
  prev.innerHTML = "&lsaquo;";
  prev.onclick = function () { self.showMonth(self.month - 1, self.year); return false; };
  var monthSelect = document.createElement("select");
  monthSelect.className = "dyncal-month";
  for (var m = 0; m < 12; m++) monthSelect.options.add(new Option(DynCalMonthNames[m], m));
  monthSelect.value = this.month;
  monthSelect.onchange = function () { self.showMonth(parseInt(this.value, 10), self.year); };
  var yearSelect = document.createElement("select");
  yearSelect.className = "dyncal-year";
  for (var y = this.startYear; y <= this.endYear; y++) yearSelect.options.add(new Option(y, y));
  yearSelect.value = this.year;
  yearSelect.onchange = function () { self.showMonth(self.month, parseInt(this.value, 10)); };
  var next = document.createElement("button");
  next.type = "button";
  next.className = "dyncal-next";
  next.innerHTML = "&rsaquo;";
  next.onclick = function () { self.showMonth(self.month + 1, self.year); return false; };
  head.appendChild(prev);
  head.appendChild(monthSelect);
  head.appendChild(yearSelect);
  head.appendChild(next);
  box.appendChild(head);

  var table = document.createElement("table");
  table.className = "dyncal-table";
  var row = table.insertRow(-1);
  for (var d = 0; d < 7; d++) {
    var th = document.createElement("th");
    th.appendChild(document.createTextNode(DynCalDayNames[d]));
    row.appendChild(th);
  }
  var first = new Date(this.year, this.month, 1);
  var lead = (first.getDay() + 6) % 7;  // Monday = 0
  var days = new Date(this.year, this.month + 1, 0).getDate();
  var today = new Date();
  row = table.insertRow(-1);
  for (var i = 0; i < lead; i++) row.insertCell(-1).className = "dyncal-empty";
  for (var day = 1; day <= days; day++) {
    if ((lead + day - 1) % 7 === 0 && day > 1) row = table.insertRow(-1);
    var cell = row.insertCell(-1);
    cell.className = "dyncal-day";
    if (day === today.getDate() && this.month === today.getMonth() &&
        this.year === today.getFullYear()) cell.className += " dyncal-today";
    cell.appendChild(document.createTextNode(String(day)));
    cell.onclick = (function (picked) {
      return function () { window[self.callbackName](picked, self.month + 1, self.year); };
    })(day);
  }
  while (row.cells.length < 7) row.insertCell(-1).className = "dyncal-empty";
  box.appendChild(table);
};

// A click outside the open calendar, or the Escape key, closes it.
document.addEventListener("mousedown", function (event) {
  if (DynCalOpen && !DynCalOpen.holder.contains(event.target)) DynCalOpen.toggleCal();
});
document.addEventListener("keydown", function (event) {
  if (DynCalOpen && (event.key === "Escape" || event.keyCode === 27)) DynCalOpen.toggleCal();
});
</script>
