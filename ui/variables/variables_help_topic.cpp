#include "ui/variables/variables_help_topic.h"

namespace zelvaro {

int VariablesHelpTopic(int row) {
    switch (row) {
        case 1:
            return 1;
        case 2:
            return 29;
        case 3:
            return 2;
        case 6:
            return 14;
        case 7:
            return 15;
        case 8:
            return 16;
        case 9:
            return 17;
        case 10:
            return 18;
        case 11:
            return 19;
        case 14:
            return 20;
        case 15:
            return 21;
        case 18:
            return 22;
        case 19:
            return 23;
        default:
            return 13;
    }
}

}  // namespace zelvaro
