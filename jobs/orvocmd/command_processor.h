#pragma once
// The logic of orvocmd, the workbench's command processor: which words of
// its command line form the program and its arguments, where the program's
// file is, and whether /bin/sh runs it. Nothing here runs anything.
//
// orvocmd [/c] [/e:N] [@file] PROGRAM [ARGUMENT...]
//
// Leading option words /c, /e:N and @file (any case) are accepted and
// ignored. The rest is the program and its arguments, one word each, as the
// caller split them; nothing in them is expanded. When exactly one word is
// left, it holds blanks or double quotes, and no file of that name exists,
// it is a whole command line handed over as one word (as `orvocmd /c "prog
// arg"`): it is split by the workbench's command-line rules (blanks
// separate, double quotes group, `\"` is a quote), never by a shell.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvo {

class FileSystem;

namespace cmd {

bool isIgnoredOption(std::string_view word);

// The program and its arguments from orvocmd's arguments (without argv[0]).
// `fileExists` answers for names relative to the current folder.
std::vector<std::string> programWords(const std::vector<std::string>& arguments, const FileSystem& files);

// A .BTM or .BAT file, whatever the case.
bool isScriptName(std::string_view name);

// The file `name` stands for. A name with a folder is taken there; a
// script name without one from the current folder, then from each PATH
// entry; any other name from each PATH entry. In each folder the exact name
// counts first, then a name that differs only in case (COMPILER.BTM finds
// compiler.btm). Relative PATH entries are skipped.
std::optional<std::string> findProgramFile(const std::string& name, const FileSystem& files,
                                           const std::string& pathValue);

// The words to exec: /bin/sh with the file and the arguments for a script
// or any file that is not an executable binary, the file itself otherwise.
std::vector<std::string> execWords(const std::string& file, const std::vector<std::string>& programWords,
                                   bool executableBinary);

// The option word of the helper mode that closes windows by class:
// `orvocmd --close-windows "XDvi;gv"`.
inline constexpr std::string_view kCloseWindowsOption = "--close-windows";

}  // namespace cmd
}  // namespace orvo
