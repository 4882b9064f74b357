// The headless host that test_main installs for every test. Before each test it is reset
// (no queued answers, empty message-box log, virtual clock); a message box without a queued
// answer, an answer left unused at the end of a test, and any other host error fail the test.
#pragma once

#include "framework/headless/HeadlessHost.h"

HeadlessHost& TestHost();
