#pragma once
// The editor's automatic save, started (or restarted with a new period) once
// the editor profile is loaded.
namespace orvo {

class AutoSave {
public:
    virtual ~AutoSave() = default;
    virtual void restartAutoSave() = 0;
};

class NullAutoSave : public AutoSave {
public:
    void restartAutoSave() override {}
};

}  // namespace orvo
