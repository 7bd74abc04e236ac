#pragma once
// The deletion at quit without a closing script: the `DelFiles` masks in the
// main file's folder, without asking and without descending into subfolders.
// A main folder that is the root (or none at all) is never swept.
namespace orvo {

class DeleteFiles;
struct Workbench;

class QuitCleanup {
public:
    QuitCleanup(const Workbench& workbench, DeleteFiles& deleteFiles)
        : workbench_(workbench), deleteFiles_(deleteFiles) {}

    // False when the workbench is terminating: the rest of the shut-down's
    // clean-up is then skipped.
    bool run();

private:
    const Workbench& workbench_;
    DeleteFiles& deleteFiles_;
};

}  // namespace orvo
