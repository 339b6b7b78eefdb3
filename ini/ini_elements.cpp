#include "ini_elements.h"

#include "ascii_case.h"

bool operator<(const rtext& left, const rtext& right) {
    return static_cast<const std::string&>(left).compare(right) < 0;
}

bool operator==(const rtext& left, const rtext& right) {
    return ascii_case::Same(left, right);
}
