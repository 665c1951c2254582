// What ends the program when an error escapes everything: it cannot, since
// every handler and the program entry catch what they raise, so the runtime's
// own handler, which would name the error's type on a console the program
// does not have, is left out with its name decoder (about 70 KB of the exe).
// Linked as an object of the program itself, so the runtime's is never taken.

#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx
