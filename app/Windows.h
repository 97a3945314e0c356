#pragma once
// The program's seven windows: created once, in a fixed order, each handed
// by reference what it shows, and freed in the reverse order at the end.

#include <memory>

class TAboutBox;
class TEditForm;
class THelpForm;
class TPagesDlg;
class TSettingForm;
class TVorzo;
class Timgform;
class Workspace;

class Windows
{
public:
    // Creates TVorzo, TEditForm, Timgform, TSettingForm, TPagesDlg, TAboutBox
    // and THelpForm, in that order, showing `workspace`, which outlives
    // them. None is shown.
    explicit Windows(Workspace &workspace);
    ~Windows();

    Windows(const Windows &) = delete;
    Windows &operator=(const Windows &) = delete;

    TVorzo &main() const { return *m_main; }
    TEditForm &editor() const { return *m_editor; }
    Timgform &image() const { return *m_image; }
    TSettingForm &settings() const { return *m_settings; }
    TPagesDlg &environment() const { return *m_environment; }
    TAboutBox &about() const { return *m_about; }
    THelpForm &help() const { return *m_help; }

private:
    // Destroyed from the last to the first.
    std::unique_ptr<TVorzo> m_main;
    std::unique_ptr<TEditForm> m_editor;
    std::unique_ptr<Timgform> m_image;
    std::unique_ptr<TSettingForm> m_settings;
    std::unique_ptr<TPagesDlg> m_environment;
    std::unique_ptr<TAboutBox> m_about;
    std::unique_ptr<THelpForm> m_help;
};
