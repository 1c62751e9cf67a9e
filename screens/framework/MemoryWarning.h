#pragma once

// The memory guard as the screens run it before they create data: measure the data
// partition and, above the warning level, say so in a modal box (no parent). The
// caller's action goes on whatever the usage.
namespace MemoryWarning
{

void guard();

} // namespace MemoryWarning
