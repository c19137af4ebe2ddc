#pragma once
// The two fatal failures: an error box, then the process ends with exit code -1.

namespace shell {

enum class FatalFailure { OutOfMemory, MainWindowNotCreated };

[[noreturn]] void FailFatally(FatalFailure failure);

// Test seam: the next attempt to obtain a text fails as if memory had run out.
void FailNextAllocation();
// Throws std::bad_alloc once after FailNextAllocation(); otherwise does nothing.
void ConsumeAllocationFailure();

} // namespace shell
