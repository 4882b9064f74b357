// State that lives until the process is gone. The program ends without waiting for its worker
// threads (a search still probing, a download still sending), and they may use the state of this
// folder while exit() runs the destructors: such state is made once and never destroyed. It
// stays reachable, so leak checkers do not count it.
#pragma once

namespace platform
{
// The one object of type `T` (give each use a type of its own), made on first use.
template <class T> T& Lasting()
{
    static T& object = *new T;
    return object;
}
} // namespace platform
