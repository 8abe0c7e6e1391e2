#pragma once

namespace ortelia {

class ProgramRequests;
class Speaker;
class WindowRegistry;
struct ProgramState;

// What the program hands every window: the shared state, the requests to other windows, the
// speaker, and the program's windows by name. The program owns them; a test builds them with
// what it needs.
struct WindowServices {
    ProgramState &state;
    ProgramRequests &requests;
    Speaker &speaker;
    WindowRegistry &windows;
};

} // namespace ortelia
