#pragma once
// The profile sections of ConfigFile: which one is active, loading it with
// the fallback values of the situation, the list of editors to choose from,
// and writing the active one back.
#include <string>
#include <string_view>
#include <vector>

#include "editor/known_editors.h"

namespace orvo {

// A mode is Execute when its upper-case form holds "EXECUTE"; anything else,
// the empty text included, is Request.
bool isExecuteMode(std::string_view mode);

class FileSystem;
class IniDocument;
struct Workbench;

// Which values the keys missing from a section take: those of start-up and
// of a change of language, or those of choosing an editor.
enum class ProfileFallback { Startup, Choice };

// "Editor:" + name: the part of a section name before its first "_".
std::string profileBase(std::string_view section);
// The text after the first ":" and before the first "_" after it.
std::string editorNameOf(std::string_view section);

// The section of `base` for `language`, or for "US" when that language's
// section has no `Editor` value.
std::string resolveActiveSection(const IniDocument& config, std::string_view base, std::string_view language);

// The values of the keys a section lacks. In the Choice set `TeXEdit` is
// empty: it follows the `Editor` value just loaded.
ProfileValues fallbackProfile(ProfileFallback fallback, const Workbench& workbench, const FileSystem& files);

// Fills the profile record from the active section.
void loadEditorProfile(Workbench& workbench, const IniDocument& config, ProfileFallback fallback,
                       const FileSystem& files);

// The editor names of the profile sections, one per editor at the place of
// its last section in file order.
std::vector<std::string> listEditors(const IniDocument& config);

// Every key of a profile into `section`.
void writeProfileSection(IniDocument& config, const std::string& section, const ProfileValues& values);

// Every key of the record into the active section. A section not resolved
// yet (no language suffix) is left alone.
void writeEditorProfile(const Workbench& workbench, IniDocument& config);

}  // namespace orvo
