#pragma once
// The main window's message entries (MessageTexts) that choosing files and
// list values shows: captions, dialog titles, filter names and reports.
namespace orvo {

inline constexpr int kListFileMissingMessage = 7;
inline constexpr int kFormatCaptionFromButton = 2;
inline constexpr int kMainFilesMessage = 16;
inline constexpr int kAllFilesMessage = 17;
inline constexpr int kTeXFilesMessage = 18;
inline constexpr int kChooseMainFileMessage = 27;
inline constexpr int kChooseCurrentFileMessage = 28;
inline constexpr int kPrintToFileTitleMessage = 30;
inline constexpr int kOutputFilesMessage = 31;

}  // namespace orvo
