#include "framework/shell.h"

#include <shellapi.h>

namespace fw {

ShellExecuteFunction shellExecute = ShellExecuteW;

}  // namespace fw
