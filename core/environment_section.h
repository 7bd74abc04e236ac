#pragma once
// The `Environment` section of ConfigFile: variable names and values that the
// workbench sets in its own process, so that every job and every batch
// script inherits them.
#include <string>
#include <utility>
#include <vector>

namespace orvo {

class Environment;
class FileSystem;
class IniDocument;
class ProgramOutput;
struct Workbench;

using EnvironmentEntries = std::vector<std::pair<std::string, std::string>>;

// The section's keys in file order with their values by the reading rules.
EnvironmentEntries environmentEntries(const IniDocument& config);

// Sets every variable of the section in the process, in file order; an
// empty value sets the empty text, a name the platform refuses is skipped.
void applyEnvironmentSection(const IniDocument& config, Environment& environment);

// Where TeX's configuration file texmf.cnf is read from: the own tree's
// `texmf/web2c` first, then the folder of the texmf.cnf the distribution
// reads first, then (the trailing ':') kpathsea's own default path.
std::string defaultTexmfCnf(const Workbench& workbench, const FileSystem& files, ProgramOutput& programs);

// The fifteen default variables of a first run, in order, with this
// machine's values.
EnvironmentEntries defaultEnvironment(const Workbench& workbench, const FileSystem& files,
                                      const Environment& environment, ProgramOutput& programs);

struct EnvironmentServices {
    FileSystem& files;
    const Environment& environment;
    ProgramOutput& programs;
};

// Writes the defaults into the section of `config`, a first run's ConfigFile
// pass: existing keys are replaced in place, missing ones appended.
void writeDefaultEnvironmentSection(const Workbench& workbench, IniDocument& config, EnvironmentServices services);

}  // namespace orvo
