# The dialogs of the device link (wx), added to tarvi_ui once it exists.
target_sources(tarvi_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ConnectDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DisplayDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LockDataDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UpgradeDlg.cpp
)
