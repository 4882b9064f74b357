// Everything a program built on the framework includes (what stdafx.h gathers in an MFC
// program).
#pragma once

#include "platform/win32.h"

#include "framework/Controls.h"
#include "framework/DataExchange.h"
#include "framework/Host.h"
#include "framework/MessageBox.h"
#include "framework/MessageMap.h"
#include "framework/Object.h"
#include "framework/PropertySheet.h"
#include "framework/Resources.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"
