# The controls the skin's own records carry (edit, calendar, pickers, drop-down, shadow): they
# build into the skin library, since the records embed them and they read the records.
set(ZEL_SKIN_BASE_CONTROLS
  MySkinCalendar.cpp MySkinCalendarDlg.cpp MySkinCalendarWnd.cpp MySkinComboDlg.cpp MySkinEdit.cpp
  PopupDialogTemplate.cpp PopupListScroller.cpp WndShadow.cpp)
list(TRANSFORM ZEL_SKIN_BASE_CONTROLS PREPEND ${CMAKE_SOURCE_DIR}/ui/controls/)
