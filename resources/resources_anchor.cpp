// The resource library needs one translation unit of its own; the icons are added by CMake.
namespace vlt::resources {
int anchor() { return 0; }
}  // namespace vlt::resources
