#include "src/app/CfgApp.h"

#include "platform/PortAccess.h"
#include "platform/ProgramFiles.h"
#include "src/app/CfgSheet.h"
#include "src/profile/ProfileFile.h"
#include "src/res/Resources.h"
#include "src/serial/log.h"

CCfgApp theApp;

namespace
{
// The platform's word on a port that would not open (which device, and the system's reason)
// goes to the log beside the serial layer's own line.
void LogPortFailure(const char* file, int line, const char* text)
{
    log_Printf(file, line, "%s", text);
}
} // namespace

BEGIN_MESSAGE_MAP(CCfgApp, CWinApp)
ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()

CCfgApp::CCfgApp()
{
    AfxSetResources(WizardResources());
    log_SetEnabledFlag(&m_bLogEnabled);
    SetPortFailureTrace(LogPortFailure);
}

bool WorkerStillWrites(const DeviceRecord* record)
{
    return record->result.load(std::memory_order_acquire) == -1;
}

CCfgApp::~CCfgApp()
{
    // The program ends without waiting for its workers; a record still in a worker's hands is
    // parked where it stays reachable until the process is gone.
    static std::vector<DeviceRecord*>* busyRecords = nullptr;
    for (std::vector<DeviceRecord*>* records : {&m_devices, &m_droppedDevices})
    {
        for (DeviceRecord* record : *records)
        {
            if (WorkerStillWrites(record))
            {
                if (busyRecords == nullptr)
                    busyRecords = new std::vector<DeviceRecord*>;
                busyRecords->push_back(record);
            }
            else
            {
                delete record;
            }
        }
        records->clear();
    }
}

void CCfgApp::DropDevice(DeviceRecord* record)
{
    if (WorkerStillWrites(record))
        m_droppedDevices.push_back(record);
    else
        delete record;
}

void CCfgApp::ReportProfilePlace()
{
    GetProfilePath();
    LOG_PRINTF("Profile %s", g_profilePath.c_str());
    const std::string problem = GetProfileFolderProblem();
    if (problem.empty())
        return;
    LOG_PRINTF("%s", problem.c_str());
    AfxMessageBox(problem, MB_OK | MB_ICONWARNING);
}

BOOL CCfgApp::InitInstance()
{
    Enable3dControlsStatic();
    m_bLogEnabled = TRUE;
    log_Open();
    ReportProfilePlace();
    {
        // "test" is never seen: a wizard's window shows the caption of its current page. The
        // sheet's own caption is kept as it always was, for a page without one.
        CCfgSheet sheet("test", nullptr, 0);
        m_pMainWnd = &sheet;
        sheet.m_psh.dwFlags |= PSH_WIZARD;
        sheet.DoModal();
        log_Close();
    }
    m_pMainWnd = nullptr;
    return FALSE;
}
