#pragma once

namespace zelvaro {

// What zelvaro-cli returns.
enum ExitStatus {
    kExitSuccess = 0,
    kExitUsage = 1,
    kExitFileError = 2,
    kExitReductionFailed = 3,
};

}  // namespace zelvaro
