// Keeps the library non-empty until its first module lands.
namespace zel { int core_library_anchor = 0; }
