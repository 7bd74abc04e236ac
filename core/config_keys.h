#pragma once
// Every section and key of ConfigFile, spelled once. Readers and writers name
// keys through these constants only.
#include <string>
#include <string_view>

namespace orvo {

struct ConfigKey {
    std::string_view section;
    std::string_view name;
};

namespace section {
inline constexpr std::string_view System = "System";
inline constexpr std::string_view UserChoice = "UserChoice";
inline constexpr std::string_view Options = "Options";
inline constexpr std::string_view Screens = "Screens";
inline constexpr std::string_view OrvoSpell = "OrvoSpell";
inline constexpr std::string_view Environment = "Environment";
}  // namespace section

namespace key {
#define ORVO_KEY(sectionName, keyName) inline constexpr ConfigKey keyName {section::sectionName, #keyName}
// System
ORVO_KEY(System, Web2cDir);
ORVO_KEY(System, Web2cBINDir);
ORVO_KEY(System, SpellChecker);
ORVO_KEY(System, MainExtension);
ORVO_KEY(System, CurrentExtension);
ORVO_KEY(System, ShowINIErrors);
inline constexpr ConfigKey FourDosProgram {section::System, "4DosProgram"};
inline constexpr ConfigKey FourDosOptions {section::System, "4DosOptions"};
ORVO_KEY(System, OrvoBTMDir);
ORVO_KEY(System, OrvoSelectionsOptionsDir);
ORVO_KEY(System, LaTeXMac);
ORVO_KEY(System, GSView);
// UserChoice: files and locations
ORVO_KEY(UserChoice, OwnTeXTreeDir);
ORVO_KEY(UserChoice, MainFileName);
ORVO_KEY(UserChoice, CurrentFileName);
ORVO_KEY(UserChoice, BibTeXFile);
ORVO_KEY(UserChoice, ManualPageDir);
ORVO_KEY(UserChoice, HelpFilesDir);
ORVO_KEY(UserChoice, OrvoLanguage);
ORVO_KEY(UserChoice, EditorSection);
// UserChoice: format and output chain
ORVO_KEY(UserChoice, FormatName);
ORVO_KEY(UserChoice, Format);
ORVO_KEY(UserChoice, Viewer);
ORVO_KEY(UserChoice, ViewerTXT);
ORVO_KEY(UserChoice, Printer);
ORVO_KEY(UserChoice, PrinterTXT);
ORVO_KEY(UserChoice, PrinterPort);
ORVO_KEY(UserChoice, PrinterPortTXT);
ORVO_KEY(UserChoice, PrinterOptions);
ORVO_KEY(UserChoice, BitmapViewer);
ORVO_KEY(UserChoice, GraphicsConverter);
ORVO_KEY(UserChoice, BibTeXEditor);
ORVO_KEY(UserChoice, BibTeXEditorTXT);
ORVO_KEY(UserChoice, SpellLanguage);
ORVO_KEY(UserChoice, SpellLanguageText);
// UserChoice: fonts
ORVO_KEY(UserChoice, ScreenFont);
ORVO_KEY(UserChoice, ScreenFontSize);
ORVO_KEY(UserChoice, SpeedbarFont);
ORVO_KEY(UserChoice, SpeedbarFontSize);
ORVO_KEY(UserChoice, RedirectFont);
ORVO_KEY(UserChoice, RedirectFontSize);
ORVO_KEY(UserChoice, SpellFont);
ORVO_KEY(UserChoice, SpellFontsize);
ORVO_KEY(UserChoice, ScaleFonts);
// UserChoice: lists
ORVO_KEY(UserChoice, KillProcesses);
ORVO_KEY(UserChoice, CleanupFiles);
ORVO_KEY(UserChoice, DelFiles);
ORVO_KEY(UserChoice, IncludegraphicsMarks);
// UserChoice: flags and block markers
ORVO_KEY(UserChoice, CompileUseBTM);
ORVO_KEY(UserChoice, QuitUseBTM);
ORVO_KEY(UserChoice, RunDosWindow);
ORVO_KEY(UserChoice, AlwaysShowRedirectScreen);
ORVO_KEY(UserChoice, SpeedbarImages);
ORVO_KEY(UserChoice, UserSpeedbarPosition);
ORVO_KEY(UserChoice, UseGradientCaption);
ORVO_KEY(UserChoice, ShowOnTaskTray);
ORVO_KEY(UserChoice, ShowOnTaskBar);
ORVO_KEY(UserChoice, UseCompiledHTML);
ORVO_KEY(UserChoice, SkipCommentsInSpellCheck);
ORVO_KEY(UserChoice, BlockMarker);
ORVO_KEY(UserChoice, EndBlockMarker);
// Options
ORVO_KEY(Options, XScreenPos);
ORVO_KEY(Options, YScreenPos);
ORVO_KEY(Options, XScreenPosSpeedbar);
ORVO_KEY(Options, YScreenPosSpeedbar);
ORVO_KEY(Options, RedirectXScreenPos);
ORVO_KEY(Options, RedirectYScreenPos);
ORVO_KEY(Options, StayOnTop);
ORVO_KEY(Options, Menubar);
ORVO_KEY(Options, Verticalbar);
ORVO_KEY(Options, SpeedbarLeft);
ORVO_KEY(Options, SpeedbarTop);
ORVO_KEY(Options, AlwaysDevirtualize);
ORVO_KEY(Options, RunAutostartBatchfile);
// OrvoSpell
ORVO_KEY(OrvoSpell, UserSpellDirectory);
ORVO_KEY(OrvoSpell, SpellPosX);
ORVO_KEY(OrvoSpell, SpellPosY);
#undef ORVO_KEY
}  // namespace key

// The keys of an editor profile section ("Editor:" + name + "_" + language).
namespace profileKey {
inline constexpr std::string_view Editor = "Editor";
inline constexpr std::string_view EditorClassName = "EditorClassName";
inline constexpr std::string_view TeXEdit = "TeXEdit";
inline constexpr std::string_view KillEditorProcesses = "KillEditorProcesses";
inline constexpr std::string_view LogFileViewer = "LogFileViewer";
inline constexpr std::string_view AutoSave = "AutoSave";
inline constexpr std::string_view DDEEditService = "DDEEditService";
inline constexpr std::string_view DDEEditTopic = "DDEEditTopic";
inline constexpr std::string_view DDEEditQuit = "DDEEditQuit";
inline constexpr std::string_view DDEEditSaveCommand = "DDEEditSaveCommand";
inline constexpr std::string_view DDEEditChanged = "DDEEditChanged";
inline constexpr std::string_view DDEEditForeground = "DDEEditForeground";
inline constexpr std::string_view DDEBlockService = "DDEBlockService";
inline constexpr std::string_view DDEBlockTopic = "DDEBlockTopic";
inline constexpr std::string_view DDEBlockFileNameMode = "DDEBlockFileNameMode";
inline constexpr std::string_view DDEBlockFileName = "DDEBlockFileName";
inline constexpr std::string_view DDEBlockLineNumberMode = "DDEBlockLineNumberMode";
inline constexpr std::string_view DDEBlockLineNumber = "DDEBlockLineNumber";
inline constexpr std::string_view DDEBlockCutCommand = "DDEBlockCutCommand";
inline constexpr std::string_view DDEBlockPasteCommand = "DDEBlockPasteCommand";
inline constexpr std::string_view StartEditorWithProgram = "StartEditorWithProgram";
}  // namespace profileKey
inline constexpr std::string_view kEditorSectionPrefix = "Editor:";

// Keys numbered by position: "MainHistory0".."MainHistory9", "Form1_X".."Form21_Y".
std::string mainHistoryKey(int index);
std::string currentHistoryKey(int index);
std::string screenFactorKey(int dialogNumber, char axis);  // axis 'X' or 'Y'

// The mark that a ConfigFile without `OwnTeXTreeDir` carries: it starts the first run.
inline constexpr std::string_view kNoIniFileMark = "_no_ini_file_";
// The editor of a ConfigFile that names none: the one the workbench drives.
inline constexpr std::string_view kDefaultEditorSection = "Editor:Emacs";

}  // namespace orvo
