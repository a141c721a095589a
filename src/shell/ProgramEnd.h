#pragma once
#include <exception>

// Raised where the program must end at once (the user refused to go on at a start-up question).
// The start-up and the application object catch it and leave with its exit code.
struct ProgramEndRequest : std::exception {
    explicit ProgramEndRequest(int exitCode) : code(exitCode) {}
    const char* what() const noexcept override { return "program end requested"; }
    int code;
};

[[noreturn]] inline void EndProgram(int exitCode = 0) { throw ProgramEndRequest(exitCode); }
