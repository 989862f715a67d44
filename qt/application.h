#pragma once

namespace quimbel {

// What the running calculator sets up before its window: its name, which is
// also the title of its message boxes.
void configureApplication();

} // namespace quimbel
