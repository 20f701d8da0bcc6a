<script type="text/javascript">
// Date picker of the date field "{#datepicker#}". It is set up once the page
// and its libraries (jQuery, jQuery UI) have loaded.
(function () {
  var fieldName = "{#datepicker#}";
  var firstYear = Math.min({#StartYear#}, {#EndYear#});
  var lastYear = Math.max({#StartYear#}, {#EndYear#});
  var todayText = "{#CaltodayText#}";

  function isToday(date) {
    var now = new Date();
    return date.getFullYear() === now.getFullYear() && date.getMonth() === now.getMonth() &&
        date.getDate() === now.getDate();
  }

  function setup() {
    var field = document.getElementById(fieldName) || document.getElementsByName(fieldName)[0];
    if (!field || !window.jQuery || !jQuery.fn.datepicker) return;
    var minDate = new Date(firstYear, 0, 1);
    minDate.setFullYear(firstYear);
    var maxDate = new Date(lastYear, 11, 31);
    maxDate.setFullYear(lastYear);
    jQuery(field).datepicker({
      dateFormat: "{#calDateFormat#}",
      changeMonth: true,
      changeYear: true,
      yearRange: firstYear + ":" + lastYear,
      minDate: minDate,
      maxDate: maxDate,
      firstDay: 1,
      showButtonPanel: true,
      monthNames: ["{#calJan#}", "{#calFeb#}", "{#calMar#}", "{#calApr#}", "{#calMay#}", "{#calJun#}",
        "{#calJul#}", "{#calAug#}", "{#calSep#}", "{#calOkt#}", "{#calNov#}", "{#calDez#}"],
      monthNamesShort: ["{#CalShortJan#}", "{#CalShortFeb#}", "{#CalShortMar#}", "{#CalShortApr#}",
        "{#CalShortMay#}", "{#CalShortJun#}", "{#CalShortJul#}", "{#CalShortAug#}", "{#CalShortSep#}",
        "{#CalShortOkt#}", "{#CalShortNov#}", "{#CalShortDez#}"],
      // The datepicker's weeks are listed from Sunday.
      dayNames: ["{#longCalSu#}", "{#longCalMo#}", "{#longCalTu#}", "{#longCalWe#}", "{#longCalTh#}",
        "{#longCalFr#}", "{#longCalSa#}"],
      dayNamesShort: ["{#calSu#}", "{#calMo#}", "{#calTu#}", "{#calWe#}", "{#calTh#}", "{#calFr#}", "{#calSa#}"],
      dayNamesMin: ["{#calSu#}", "{#calMo#}", "{#calTu#}", "{#calWe#}", "{#calTh#}", "{#calFr#}", "{#calSa#}"],
      prevText: "{#CalprevText#}",
      nextText: "{#CalnextText#}",
      currentText: "{#CalcurrentText#}",
      closeText: "{#CalcloseText#}",
      beforeShowDay: function (date) { return [true, "", isToday(date) ? todayText : ""]; }
    });
  }

  if (document.readyState === "complete") setup();
  else window.addEventListener("load", setup);
})();
</script>
