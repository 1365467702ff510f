// placeholder until the first sources of this folder land
namespace { [[maybe_unused]] int placeholder_editor; }
