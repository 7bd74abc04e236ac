#pragma once
// The workbench state: one record owned by the application and passed by
// reference. Fields that hold a configuration value carry the key's own
// spelling (`MainFileName`, `ViewerTXT`), so a key and its value are found
// under one name; derived values use camelCase.
#include <array>
#include <string>
#include <vector>

#include "core/language_state.h"
#include "core/project_marks.h"
#include "core/printer_settings.h"
#include "core/editor_profile.h"
#include "core/job_state.h"
#include "core/work_files.h"

namespace orvo {

struct ScreenFactor {
    double x = 1.0;
    double y = 1.0;
};

inline constexpr int kDialogCount = 21;     // dialog numbers 1..21
inline constexpr int kHistorySize = 10;
inline constexpr int kMessageTextCount = 53;

struct Workbench {
    // Locations (folders end in '/').
    std::string programDir;
    std::string OrvoBTMDir;
    std::string OrvoSelectionsOptionsDir;
    std::string iniDir;
    std::string iniName;
    // The ConfigFile start-up found but could not read: this session never
    // writes it, so its content is not lost.
    std::string unreadableConfigFile;
    bool firstRun = false;
    std::string OwnTeXTreeDir;
    std::string Web2cDir;
    std::string Web2cBINDir;
    std::string UserSpellDirectory;
    std::string ManualPageDir;
    std::string HelpFilesDir;

    // Documents.
    std::string mainPath;
    std::string MainFileName;
    std::string CurrentFileName;
    std::string dviFileName;
    std::string BibTeXFile;
    std::string bibTeXPath;
    std::string MainExtension = "TEX";
    std::string CurrentExtension = "TEX";

    // Programs and command processor.
    std::string SpellChecker;
    std::string FourDosProgram;   // key `4DosProgram`
    std::string FourDosOptions;   // key `4DosOptions`
    std::string batchExtension = "BTM";
    std::string LaTeXMac;
    std::string GSView;
    std::string BitmapViewer;
    std::string GraphicsConverter;
    std::string savedPath;

    // Output chain.
    std::string FormatName;
    std::string Format;
    std::string Viewer;
    std::string ViewerTXT;
    std::string Printer;
    std::string PrinterTXT;
    std::string PrinterPort;
    std::string PrinterPortTXT;
    std::string portScript;
    bool portScriptRead = false;  // PrinterPortTXT named a port script when read
    std::string PrinterOptions;
    // The printer's option file as last read, and the print repetitions.
    PrinterSettings printerSettings;
    std::string BibTeXEditor;
    std::string BibTeXEditorTXT;
    std::string SpellLanguage;
    std::string SpellLanguageText;

    // Language.
    std::string OrvoLanguage;
    std::string charsetName = "WESTERN";
    std::string appliedLanguage;
    std::vector<std::string> messageTexts = std::vector<std::string>(kMessageTextCount, " ");
    std::vector<std::string> uiStrings;
    LanguageFiles languageFiles;
    LanguageChoice languageChoice;
    std::string helpFile;
    std::string helpTopicList;

    // Editor profile (the active section's name, language suffix included).
    std::string EditorSection;
    std::string activeEditorSection;
    // Keys of the active profile that jobs use: the TeX programs' editor
    // call-back and the editor's own windows to close at shut-down.
    std::string TeXEdit;
    std::string KillEditorProcesses;
    // The rest of the active profile, and the block the editor handed over.
    EditorProfile editor;
    BlockHandover block;

    // Fonts.
    std::string ScreenFont;
    int ScreenFontSize = 0;
    std::string SpeedbarFont;
    int SpeedbarFontSize = 0;
    std::string RedirectFont = "Courier New";
    int RedirectFontSize = 8;
    std::string SpellFont;
    int SpellFontsize = 0;
    bool ScaleFonts = false;

    // Lists.
    std::string KillProcesses;
    std::string CleanupFiles;
    std::string DelFiles;
    std::string IncludegraphicsMarks;

    // Flags and block markers.
    bool ShowINIErrors = true;
    bool CompileUseBTM = false;
    bool QuitUseBTM = false;
    bool RunDosWindow = true;
    bool AlwaysShowRedirectScreen = false;
    bool SpeedbarImages = false;
    bool UserSpeedbarPosition = false;
    bool UseGradientCaption = true;
    bool ShowOnTaskTray = false;
    bool ShowOnTaskBar = true;
    bool UseCompiledHTML = false;
    bool SkipCommentsInSpellCheck = false;
    std::string BlockMarker;
    std::string EndBlockMarker;

    // Window positions and layout.
    int XScreenPos = 0;
    int YScreenPos = 0;
    int XScreenPosSpeedbar = 0;
    int YScreenPosSpeedbar = 0;
    int RedirectXScreenPos = 0;
    int RedirectYScreenPos = 0;
    int SpellPosX = 0;
    int SpellPosY = 0;
    bool StayOnTop = false;
    bool Menubar = false;
    bool Verticalbar = false;
    bool SpeedbarLeft = false;
    bool SpeedbarTop = true;
    bool AlwaysDevirtualize = false;
    bool RunAutostartBatchfile = false;
    int speedbarLayout = 0;
    std::array<ScreenFactor, kDialogCount> screenFactors {};  // index = dialog number - 1

    std::array<std::string, kHistorySize> mainHistory {};
    std::array<std::string, kHistorySize> currentHistory {};

    // Project marks: the active section, empty until a parameter file is read.
    std::string projectSection;
    ProjectMarks projectMarks;

    // The running job and the console's next command.
    JobState jobs;
    // The workbench's own files in the folders it wrote them into.
    WorkFiles workFiles;
};

}  // namespace orvo
