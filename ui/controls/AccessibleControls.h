// What a screen reader is told of the window's own kinds of control, where
// Qt's account of the kind they are made from would not do: a web link is a
// link with an action that follows it, and a named drop-down list goes by
// its name, where Qt on Linux names every drop-down list by its current entry.
#pragma once

namespace brewick {

// Makes the accessibility layer describe the window's own controls; their
// constructors call it, and once is enough.
void describeOwnControls();

}  // namespace brewick
