#pragma once
// Help and support: the help topics, a help request for a window's context,
// the About box and the support report.
namespace orvo {

class HelpAndSupport {
public:
    virtual ~HelpAndSupport() = default;
    // The topic list of the chosen help files, read each time they are
    // chosen: at start-up and after a change of interface language.
    virtual void loadTopics() = 0;
    virtual void showHelp(int context) = 0;
    virtual void showAbout() = 0;
    virtual void showSupportReport() = 0;
};

// No help installed: requests do nothing.
class NullHelpAndSupport : public HelpAndSupport {
public:
    void loadTopics() override {}
    void showHelp(int) override {}
    void showAbout() override {}
    void showSupportReport() override {}
};

}  // namespace orvo
