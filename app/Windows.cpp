#include "Windows.h"

#include "VorzoDazoradMain.h"
#include "accessories/Help.h"
#include "accessories/Vertion.h"
#include "accessories/VorzoEdit.h"
#include "environment/Environ.h"
#include "environment/VorzoImage.h"
#include "settings/Setting.h"
#include "stage/Stage.h"

void createWindows(Stage &stage)
{
    Vorzo = new TVorzo(stage);
    EditForm = new TEditForm;
    imgform = new Timgform;
    SettingForm = new TSettingForm(stage.settings());
    PagesDlg = new TPagesDlg;
    PagesDlg->setApplyEnvironment([] { Vorzo->ApplyEnvironment(); });
    AboutBox = new TAboutBox;
    HelpForm = new THelpForm;
}

template <typename Window>
static void destroy(Window *&window)
{
    delete window;
    window = nullptr;
}

void destroyWindows()
{
    destroy(HelpForm);
    destroy(AboutBox);
    destroy(PagesDlg);
    destroy(SettingForm);
    destroy(imgform);
    destroy(EditForm);
    destroy(Vorzo);
}
