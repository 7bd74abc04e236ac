#pragma once
// A section of ConfigFile that a subsystem above core owns (the active
// editor profile, say). The ConfigFile writer calls each one inside its one
// pass, at its place in the file's order, so the whole file is still one
// crash-safe write.
namespace orvo {

class IniDocument;
struct Workbench;

class ConfigSectionWriter {
public:
    virtual ~ConfigSectionWriter() = default;
    virtual void write(const Workbench& workbench, IniDocument& config) const = 0;
};

}  // namespace orvo
