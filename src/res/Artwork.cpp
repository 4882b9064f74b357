// Our artwork: the picture at the top left of each page and the program's icon, as SVG drawn to
// the size of its static (20 x 20 dialog units for the square pictures, 94 x 25 for the banners).
// One visual language: navy outlines on pale blue; an adapter box with its serial plug stands for
// the adapter, a gear for settings, a keypad for numbers, a handset for calls and the phone port,
// a disk for the profile file, and green, amber and red discs for success, time-out and error.
// Banners carry their picture at the left and two bars where a title would stand.
#include "src/res/Resources.h"

#include "src/res/WizardRes.h"

namespace
{

// clang-format off
constexpr ImageResource kImages[] = {
    // Program icon: the adapter with its serial cable.
    {IDI_WIZARD, R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 32 32" fill="none" stroke="#1f4e79" stroke-width="1.5" stroke-linejoin="round">
<rect x="2" y="10" width="20" height="12" rx="2" fill="#dce9f5"/>
<circle cx="6.5" cy="16" r="1.5" fill="#2e8b57" stroke="none"/>
<circle cx="11" cy="16" r="1.5" fill="#d68910" stroke="none"/>
<path d="M22 13h4l1.5 1v4L26 19h-4" fill="#ffffff"/>
<path d="M27.5 16h3"/>
</svg>)svg",
     // The same adapter for 16 to 24 pixels: bold shapes on whole pixels, a short cable.
     R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 16 16" stroke="none">
<rect x="0" y="3" width="12" height="10" fill="#1f4e79"/>
<rect x="1" y="4" width="10" height="8" fill="#dce9f5"/>
<rect x="2" y="7" width="3" height="2" fill="#2e8b57"/>
<rect x="6" y="7" width="3" height="2" fill="#d68910"/>
<rect x="12" y="5" width="3" height="6" fill="#1f4e79"/>
<rect x="12" y="6" width="2" height="4" fill="#ffffff"/>
<rect x="15" y="7" width="1" height="2" fill="#1f4e79"/>
</svg>)svg"},
    // Welcome: the adapter with its serial plug.
    {IDB_WELCOME, R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 20 20" fill="none" stroke="#1f4e79" stroke-width="1.2" stroke-linejoin="round">
<rect x="1.5" y="6.5" width="11" height="7" rx="1.5" fill="#dce9f5"/>
<circle cx="4.5" cy="10" r="1" fill="#2e8b57" stroke="none"/>
<path d="M12.5 8.5H15l1 .7v1.6l-1 .7h-2.5" fill="#ffffff"/>
<path d="M16 10h3"/>
</svg>)svg"},
    // Configuring: the configuration goes down into the adapter.
    {IDB_CONFIGURING, R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 20 20" fill="none" stroke="#1f4e79" stroke-width="1.2" stroke-linejoin="round" stroke-linecap="round">
<rect x="1.5" y="10.5" width="13" height="7" rx="1.5" fill="#dce9f5"/>
<circle cx="4.5" cy="14" r="1" fill="#d68910" stroke="none"/>
<path d="M14.5 12.5H17l1 .7v1.6l-1 .7h-2.5" fill="#ffffff"/>
<path d="M8 1.5v6.5M5.5 5.5 8 8l2.5-2.5"/>
</svg>)svg"},
    // Configured: a check mark.
    {IDB_SUCCESS, R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 20 20" fill="none" stroke-linecap="round" stroke-linejoin="round">
<circle cx="10" cy="10" r="8.5" fill="#2e8b57" stroke="#1f4e79" stroke-width="1.2"/>
<path d="M5.8 10.3 8.7 13.2 14.3 7.2" stroke="#ffffff" stroke-width="2"/>
</svg>)svg"},
    // Time-out: a clock.
    {IDB_TIMEOUT, R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 20 20" fill="none" stroke-linecap="round" stroke-linejoin="round">
<circle cx="10" cy="10" r="8.5" fill="#fbe5c8" stroke="#d68910" stroke-width="1.5"/>
<path d="M10 4.5V10l3.5 2.5" stroke="#1f4e79" stroke-width="1.6"/>
</svg>)svg"},
    // Call control banner: a handset.
    {IDB_CALL_CONTROL, R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 94 25" fill="none" stroke="#1f4e79" stroke-width="1.2" stroke-linecap="round">
<rect x=".5" y=".5" width="93" height="24" rx="3" fill="#dce9f5"/>
<path d="M8 5c1 0 2.5 2.8 2.5 3.6S9 10.5 9 11.2c0 1.3 3.5 4.8 4.8 4.8.7 0 1.7-1.5 2.6-1.5S20 17 20 18c0 1.2-1.8 2.5-3 2.5-5.4 0-11.5-6.1-11.5-11.5C5.5 6.8 6.8 5 8 5z" fill="#1f4e79"/>
<path d="M32 10h50M32 16h34" stroke="#9bb7d4" stroke-width="2.5"/>
</svg>)svg"},
    // Data protocol banner: data going both ways.
    {IDB_DATA_PROTOCOL, R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 94 25" fill="none" stroke="#1f4e79" stroke-width="1.2" stroke-linecap="round" stroke-linejoin="round">
<rect x=".5" y=".5" width="93" height="24" rx="3" fill="#dce9f5"/>
<path d="M6 9.5h13M16 6.5l3 3-3 3M20 15.5H7M10 12.5l-3 3 3 3" stroke-width="1.6"/>
<path d="M32 10h50M32 16h34" stroke="#9bb7d4" stroke-width="2.5"/>
</svg>)svg"},
    // Serial format banner: the serial plug.
    {IDB_SERIAL_FORMAT, R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 94 25" fill="none" stroke="#1f4e79" stroke-width="1.2" stroke-linecap="round" stroke-linejoin="round">
<rect x=".5" y=".5" width="93" height="24" rx="3" fill="#dce9f5"/>
<path d="M4 7.5h18l-2.2 9H6.2z" fill="#ffffff"/>
<path d="M7.75 10.5h10.5M9 13.5h8" stroke-width="1.5" stroke-dasharray=".5 2"/>
<path d="M32 10h50M32 16h34" stroke="#9bb7d4" stroke-width="2.5"/>
</svg>)svg"},
    // TEI banner: a gear.
    {IDB_TEI, R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 94 25" fill="none" stroke="#1f4e79" stroke-linecap="round">
<rect x=".5" y=".5" width="93" height="24" rx="3" fill="#dce9f5" stroke-width="1.2"/>
<circle cx="13" cy="12.5" r="6" stroke-width="3" stroke-dasharray="2.36 2.36" stroke-linecap="butt"/>
<circle cx="13" cy="12.5" r="4.5" fill="#ffffff" stroke-width="1.2"/>
<circle cx="13" cy="12.5" r="1.6" fill="#1f4e79" stroke="none"/>
<path d="M32 10h50M32 16h34" stroke="#9bb7d4" stroke-width="2.5"/>
</svg>)svg"},
    // MSN numbers: a keypad with a sub-address colon.
    {IDB_MSN_NUMBERS, R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 20 20" fill="none" stroke="#1f4e79" stroke-linecap="round">
<rect x="2.5" y="1.5" width="12" height="17" rx="2" fill="#dce9f5" stroke-width="1.2"/>
<path d="M5.5 6h6.5M5.5 10h6.5M5.5 14h6.5" stroke-width="2" stroke-dasharray=".5 2.5"/>
<path d="M17.5 8v.5M17.5 12v.5" stroke-width="2"/>
</svg>)svg"},
    // Serial signals: the serial plug.
    {IDB_SERIAL_SIGNALS, R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 20 20" fill="none" stroke="#1f4e79" stroke-width="1.2" stroke-linecap="round" stroke-linejoin="round">
<path d="M1.5 5.5h17l-2.2 9H3.7z" fill="#dce9f5"/>
<path d="M4.75 8.5h10.5M6 11.5h8" stroke-width="1.5" stroke-dasharray=".5 2"/>
</svg>)svg"},
    // Stored numbers banner: a keypad.
    {IDB_STORED_NUMBERS, R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 94 25" fill="none" stroke="#1f4e79" stroke-linecap="round">
<rect x=".5" y=".5" width="93" height="24" rx="3" fill="#dce9f5" stroke-width="1.2"/>
<rect x="6.5" y="3.5" width="13" height="18" rx="2" fill="#ffffff" stroke-width="1.2"/>
<path d="M10 8h6.5M10 12.5h6.5M10 17h6.5" stroke-width="2" stroke-dasharray=".5 2.5"/>
<path d="M32 10h50M32 16h34" stroke="#9bb7d4" stroke-width="2.5"/>
</svg>)svg"},
    // Save banner: a disk.
    {IDB_SAVE, R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 94 25" fill="none" stroke="#1f4e79" stroke-width="1.2" stroke-linejoin="round" stroke-linecap="round">
<rect x=".5" y=".5" width="93" height="24" rx="3" fill="#dce9f5"/>
<path d="M5.5 4.5h12l3 3v13h-15z" fill="#ffffff"/>
<path d="M8.5 4.5v4h7v-4M8.5 20.5v-6h9v6"/>
<path d="M32 10h50M32 16h34" stroke="#9bb7d4" stroke-width="2.5"/>
</svg>)svg"},
    // Setup type: stored configurations.
    {IDB_SETUP_TYPE, R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 20 20" fill="none" stroke="#1f4e79" stroke-width="1.2" stroke-linejoin="round" stroke-linecap="round">
<path d="M3 4.5v14h10" stroke="#9bb7d4"/>
<path d="M5.5 1.5h7l3.5 3.5v11h-10.5z" fill="#ffffff"/>
<path d="M8 8h5.5M8 10.5h5.5M8 13h3.5"/>
</svg>)svg"},
    // Load banner: the disk goes to the adapter.
    {IDB_LOAD, R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 94 25" fill="none" stroke="#1f4e79" stroke-width="1.2" stroke-linejoin="round" stroke-linecap="round">
<rect x=".5" y=".5" width="93" height="24" rx="3" fill="#dce9f5"/>
<path d="M4.5 5.5h10l2.5 2.5v11h-12.5z" fill="#ffffff"/>
<path d="M7 5.5v3.5h6V5.5"/>
<path d="M19 12.5h6M22.5 10l2.5 2.5-2.5 2.5" stroke-width="1.5"/>
<path d="M32 10h50M32 16h34" stroke="#9bb7d4" stroke-width="2.5"/>
</svg>)svg"},
    // Network switch type: a gear.
    {IDB_SWITCH_TYPE, R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 21 20" fill="none" stroke="#1f4e79">
<circle cx="10.5" cy="10" r="6.5" stroke-width="3" stroke-dasharray="2.55 2.55"/>
<circle cx="10.5" cy="10" r="5" fill="#dce9f5" stroke-width="1.2"/>
<circle cx="10.5" cy="10" r="1.8" fill="#1f4e79" stroke="none"/>
</svg>)svg"},
    // Configuration failed: a cross.
    {IDB_ERROR, R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 20 20" fill="none" stroke-linecap="round">
<circle cx="10" cy="10" r="8.5" fill="#c0392b" stroke="#1f4e79" stroke-width="1.2"/>
<path d="M6.8 6.8l6.4 6.4M13.2 6.8l-6.4 6.4" stroke="#ffffff" stroke-width="2"/>
</svg>)svg"},
    // SPID and directory numbers: a keypad.
    {IDB_SPID_NUMBERS, R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 21 20" fill="none" stroke="#1f4e79" stroke-linecap="round">
<rect x="4.5" y="1.5" width="12" height="17" rx="2" fill="#dce9f5" stroke-width="1.2"/>
<path d="M7.5 6h6.5M7.5 10h6.5M7.5 14h6.5" stroke-width="2" stroke-dasharray=".5 2.5"/>
</svg>)svg"},
    // Port search and COM port: looking for the adapter.
    {IDB_SEARCH, R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 20 20" fill="none" stroke="#1f4e79" stroke-width="1.2" stroke-linejoin="round" stroke-linecap="round">
<rect x="1.5" y="3.5" width="11" height="7" rx="1.5" fill="#dce9f5"/>
<path d="M12.5 5.5H15l1 .7v1.6l-1 .7h-2.5" fill="#ffffff"/>
<circle cx="9" cy="13" r="3.5" fill="#ffffff"/>
<path d="M11.5 15.5l3.5 3.5" stroke-width="2"/>
</svg>)svg"},
    // POTS port: a handset.
    {IDB_POTS_PORT, R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 20 20">
<path d="M5 2.5c1 0 2.5 2.8 2.5 3.6S6 8 6 8.7c0 1.3 3.5 4.8 4.8 4.8.7 0 1.7-1.5 2.6-1.5S17 13.5 17 14.5c0 1.2-1.8 2.5-3 2.5C8.6 17 2.5 10.9 2.5 5.5 2.5 4.3 3.8 2.5 5 2.5z" fill="#dce9f5" stroke="#1f4e79" stroke-width="1.2" stroke-linejoin="round"/>
</svg>)svg"},
    // Bandwidth: rising bars.
    {IDB_BANDWIDTH, R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 20 20" fill="none" stroke="#1f4e79" stroke-linecap="round">
<path d="M2 18.5h16" stroke-width="1.2"/>
<path d="M5 16v-4M10 16V8M15 16V4" stroke="#2e8b57" stroke-width="3"/>
</svg>)svg"},
};
// clang-format on

} // namespace

std::span<const ImageResource> WizardImages()
{
    return kImages;
}
