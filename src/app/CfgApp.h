// The application object: starts the wizard, keeps the adapters found and the adapter being
// configured, and owns the switch of the diagnostic log.
#pragma once

#include "framework/Afx.h"
#include "src/identify/DeviceRecord.h"

#include <vector>

class CCfgApp : public CWinApp
{
public:
    // Registers the wizard's resources with the framework, binds the log to m_bLogEnabled and
    // sends the platform's reports of ports that would not open to the log.
    CCfgApp();
    // Frees the records of m_devices and m_droppedDevices. A record that a worker thread may
    // still be writing (its result is still -1) is kept alive instead, so that a worker that
    // outlives the wizard never writes into freed memory.
    ~CCfgApp() override;

    // Runs the wizard: opens the log, names the profile in use in it (and says once why no folder
    // can hold the profile, when none can), shows the sheet modally, closes the log. Always
    // returns FALSE, so that the program ends once the sheet is closed.
    BOOL InitInstance() override;

    // Takes over a record just removed from m_devices: destroyed at once when its worker has
    // ended, otherwise kept in m_droppedDevices until the program ends, because its worker still
    // writes into it.
    void DropDevice(DeviceRecord* record);

    std::vector<DeviceRecord*> m_devices; // adapters found by the port search, owned
    // Records the search dropped while their worker still ran, owned.
    std::vector<DeviceRecord*> m_droppedDevices;
    DeviceRecord m_device;      // the adapter being configured
    BYTE m_bLogEnabled = FALSE; // the log writes only while this is TRUE

private:
    void ReportProfilePlace();

    DECLARE_MESSAGE_MAP()
};

extern CCfgApp theApp;

// True while a worker thread may still write into the record: its result is still -1.
bool WorkerStillWrites(const DeviceRecord* record);
