// What a closed drawing leaves behind goes back to the system: the tiles' heap and the
// process heap hand their memory back, and the pages the drawing used leave the working
// set, as a program that waits in the tray should.
#pragma once

namespace pen {

void GiveClosedMemoryBack();

}  // namespace pen
