// Keeps the shell library non-empty while its parts arrive.
namespace vlt::app {
int anchor() { return 0; }
}  // namespace vlt::app
