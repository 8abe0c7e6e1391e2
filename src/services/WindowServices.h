#pragma once

namespace ortelia {

class ProgramRequests;
class Speaker;
struct ProgramState;

// What the program hands every window: the shared state, the requests to other windows, and the
// speaker. The program owns them; a test builds them with what it needs.
struct WindowServices {
    ProgramState &state;
    ProgramRequests &requests;
    Speaker &speaker;
};

} // namespace ortelia
