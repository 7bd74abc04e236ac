#pragma once
// The configuration a first run starts from: the distribution found on this
// machine, the own TeX folder and the usual choices, as the initialization
// would make them.
namespace orvo {

struct Workbench;

class FirstRunDefaults {
public:
    virtual ~FirstRunDefaults() = default;
    virtual void apply(Workbench& workbench) = 0;
};

// No detection: the workbench keeps the values it holds.
class NullFirstRunDefaults : public FirstRunDefaults {
public:
    void apply(Workbench&) override {}
};

}  // namespace orvo
