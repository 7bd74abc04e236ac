#pragma once
// The About box and the support report, as the help menus open them.
namespace orvo {

class AboutAndReport {
public:
    virtual ~AboutAndReport() = default;
    virtual void showAbout() = 0;
    virtual void showSupportReport() = 0;
};

// Until the About box and the support report are built: nothing opens.
class NullAboutAndReport : public AboutAndReport {
public:
    void showAbout() override {}
    void showSupportReport() override {}
};

}  // namespace orvo
