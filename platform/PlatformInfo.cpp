// Placeholder translation unit so the library exists before its first class lands.
namespace zel { int platform_library_anchor = 0; }
