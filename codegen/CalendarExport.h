#pragma once
// The pop-up calendar of date fields: its style rules and its script, filled
// in from the snippet files in the installation folder's cal/ subfolder.
// Layout 1 is the Bootstrap layout (cal_bootstrap.*, a jQuery UI datepicker
// per date field); any other layout value means the standard layout (cal.*,
// one shared DynCal script).
//
// The script snippets bring their own <script> elements. The standard field
// markup builds its DynCal objects inline, so the page template must hold
// "<!-- JSCAL -->" before the form (in the head). The Bootstrap scripts wait
// for the window's load event, so they work wherever the marker stands, also
// when jQuery UI is loaded at the end of the body.

#include <string>

#include "model/Project.h"

// The calendar style rules of layout with the values of design inserted
// bare. Throws EInOutError when the style file is missing.
std::string GetCalendarCSS(int layout, const TCalendarDesign& design);

// page with "<!-- JSCAL -->" replaced by the calendar script: one copy of
// cal.js for the standard layout, one copy of cal_bootstrap.js per date field
// (in form order) for the Bootstrap layout. Texts of language fill the month
// and day names; they, the formmailer folder and the field names are escaped
// for JavaScript strings. Throws EInOutError when the script file is missing.
std::string InsertCalendarScript(int layout, const std::string& page, const TProject& project,
                                 const std::string& language);

// The JavaScript expression that builds the date text of the standard
// calendar from day, month and year; an unknown index counts as 0.
std::string CalendarDateExpression(int dateFormat);
// The jQuery UI date format of the Bootstrap calendar; an unknown index
// counts as 0.
std::string CalendarDatepickerFormat(int dateFormat);

// script with every calendar text placeholder of the Bootstrap calendar
// filled (escaped for JavaScript strings) and "{#calDateFormat#}" set to the
// datepicker format of dateFormat.
std::string TranslateCalendarScript(const std::string& script, int dateFormat,
                                    const std::string& language);
