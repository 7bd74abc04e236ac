#pragma once
// Default values of ConfigFile keys that name programs or files. The
// programs are this platform's counterparts of the workbench's classic
// defaults; key names and formats stay as they are.
#include <string_view>

namespace orvo::defaults {

inline constexpr std::string_view SpellChecker =
    "&OrvoBTMDirOrvoSpell &spellfile -L=&lang -SL=&OrvoLanguage -INIFILE=&inifile -R";
inline constexpr std::string_view LaTeXMacProgram = "latexmac";      // after Web2cBINDir
inline constexpr std::string_view GSView = "xdg-open";
inline constexpr std::string_view BitmapViewer = "display";
inline constexpr std::string_view GraphicsConverter = "convert";
inline constexpr std::string_view Viewer = "xdvi";
inline constexpr std::string_view ViewerTXT = "xdvi (.dvi)";
inline constexpr std::string_view Printer = "dvips";
inline constexpr std::string_view PrinterTXT = "PostScript (dvips)";
inline constexpr std::string_view BibTeXEditorTXT = "Desktop default (xdg-open)";
inline constexpr std::string_view FirstRunFormatName = "&web2cbin/latex";
inline constexpr std::string_view FirstRunFormat = "LaTeX";
inline constexpr std::string_view FirstRunBibTeXEditor = "xdg-open";
inline constexpr std::string_view SampleDocument = "latexsample.tex";     // in OwnTeXTreeDir
inline constexpr std::string_view BibTeXDatabase = "texmf/bibtex/bib/mybib.bib";  // in OwnTeXTreeDir
inline constexpr std::string_view ManualPageDir = "/usr/share/man/";
inline constexpr std::string_view SpellFolder = "SPELL/";                // in the list directory
inline constexpr std::string_view RedirectFont = "Courier New";
inline constexpr std::string_view KillProcesses =
    "latexmac;XDvi;gv;Evince;JabRef;okular;Gnuplot;display;Xpdf;Zathura;Tform22;Tform19";
inline constexpr std::string_view CleanupFiles =
    "*.DLG;*.AUX;*.BAK;*.$$$;*.BBL;*.BLG;*.DVI;*.GLO;*.IDX;*.ILG;*.IND;*.LOF;*.LOG;*.LOT;*.TOC;_DUMP_.*;*.ORVOLG;*.WRD";
inline constexpr std::string_view DelFiles = "*.BAK;_dump_.*;*.$$$;*.?LG;*.LOG";
inline constexpr std::string_view IncludegraphicsMarks = "\\includegraphics;";
inline constexpr std::string_view BlockMarker = "\\begin{document}";
inline constexpr std::string_view EndBlockMarker = "\\end{document}";
// The shipped command processor, in the program folder: `4DosProgram` and
// COMSPEC when neither is set.
inline constexpr std::string_view CommandProcessorName = "orvocmd";
// Options placed before a job when `4DosOptions` is empty.
inline constexpr std::string_view FourDosOptions = "/c";
// The main window's designed size on its designed 800 x 600 screen.
inline constexpr int DesignScreenWidth = 800;
inline constexpr int DesignScreenHeight = 600;
inline constexpr int MainWindowWidth = 481;
inline constexpr int MainWindowHeight = 240;

}  // namespace orvo::defaults
