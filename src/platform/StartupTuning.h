#pragma once

namespace qx {

// Settings of the process that the long work lists need, made once at start-up before the first
// window: freed memory kept in the heap, and the local time zone read once.
void tuneProcessAtStartup();

} // namespace qx
