#pragma once
// A print destination may be a script (a name with a dot): it sets up the
// destination, runs to its end in the console window, and names the
// destination on its first line after one leading character (":LPT2" or
// "#!lpr"). The script is remembered as the port script, so the redirection
// can be redone for a document that names it.
#include <string>

namespace orvo {

class ConsolePort;
class FileSystem;
class Launcher;
struct Workbench;

// `PrinterPort` with `OrvoSelectionsOptionsDir` in front when it has no
// folder, its destination placeholders replaced and doubled '/' collapsed.
std::string destinationScriptPath(const Workbench& workbench);

struct DestinationServices {
    FileSystem& files;
    Launcher& launcher;
    // Runs the script modally; without a console window the script is run
    // uncaptured and waited for.
    ConsolePort* console = nullptr;
};

// Empties the port script; for a destination with a dot, runs its script
// when it exists and takes the destination its first line (up to a CR or
// LF) names, or remembers the resolved name when it does not. The
// destination then loses its outer blanks and its first character (a whole
// UTF-8 character). A script that cannot be read afterwards leaves the
// destination as it was.
void redirectPrintDestination(Workbench& workbench, const DestinationServices& services);

}  // namespace orvo
