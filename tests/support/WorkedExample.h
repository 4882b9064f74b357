// The nine command lines of the worked packing example: an adapter of model 3 on a custom setup,
// switch type NET3, both TEIs "Auto TEI", data MSN 1234, voice MSN 5678, auto answer on one ring,
// no stored numbers, everything else at its default. Several suites and a benchmark send or
// expect exactly these bytes.
#pragma once

#include <string>
#include <vector>

inline const std::vector<std::string> kWorkedExampleLines = {"AT!C0=2!D3=240*!D3=240\r",
                                                             "AT!N1=1234*!N1=5678!N2=$D0\r",
                                                             "AT%A97=0S0=1S50=1S30=0!Z=5\r",
                                                             "ATS52=1&D1&S0&C1S25=5S10=7&R1\r",
                                                             "AT&M0@P3=4$SB115200@P4=8@P6=1\r",
                                                             "AT&E4S44=2S45=2S49=0S51=0\r",
                                                             "ATS66=0S46=0S59=1S60=10S61=52\r",
                                                             "ATS62=10S63=26S64=1\r\n",
                                                             "AT&W0\r\n"};
