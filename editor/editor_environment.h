#pragma once
// The variables through which the TeX, Metafont and MetaPost programs call
// the editor back at an error, and through which other programs find it.
// They are the workbench's own, inherited by every job.
namespace orvo {

class Environment;
struct Workbench;

// Start-up sets TEXEDIT and EDITOR, and MPEDIT and MFEDIT only where the
// user already has them; an editor choice sets TEXEDIT and MPEDIT, MFEDIT
// only where set, and leaves EDITOR alone.
enum class EditorEnvironmentForm { Startup, Choice };

void setEditorEnvironment(const Workbench& workbench, Environment& environment, EditorEnvironmentForm form);

}  // namespace orvo
