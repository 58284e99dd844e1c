// SPDX-License-Identifier: MIT
#pragma once

namespace platform {

// Ends the program, so that quitting can be tested without ending the test.
class AppExit
{
public:
    virtual ~AppExit() = default;
    // Leaves every running event loop; the process then exits from main() with exitCode.
    virtual void endProgram(int exitCode = 0) = 0;
};

class QtAppExit final : public AppExit
{
public:
    void endProgram(int exitCode = 0) override;
};

} // namespace platform
