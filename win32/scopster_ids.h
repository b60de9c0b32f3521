#pragma once
// The IDs of the main window's controls and menu items: the window finds
// them by these, and so do the tests that drive it.

namespace win32::scopster_ids {

inline constexpr int cmdAnalyse = 101;
inline constexpr int lblSource = 102;
inline constexpr int txtSource = 103;
inline constexpr int lstText = 104;
inline constexpr int lblRunTime = 105;
inline constexpr int lblSourceFile = 106;
inline constexpr int lblSearchFile = 107;
inline constexpr int lblPublic = 108;
inline constexpr int lblProcessing = 109;
inline constexpr int chkAutoScroll = 110;

inline constexpr int mnuFileOpenProject = 201;
inline constexpr int mnuFilePrint = 202;
inline constexpr int mnuFileExit = 203;
inline constexpr int mnuHelpHelp = 204;
inline constexpr int mnuHelpAbout = 205;
// mnuFileLastFile(1) is mnuFileLastFile0 + 1, and so on.
inline constexpr int mnuFileLastFile0 = 210;

}  // namespace win32::scopster_ids
