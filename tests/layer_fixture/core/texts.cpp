#include <QString>
#include <string>
