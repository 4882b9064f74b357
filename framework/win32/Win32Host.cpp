// placeholder
namespace win32host {}
