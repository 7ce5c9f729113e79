#include "app/joyvane_app.h"

int main(int argc, char** argv) {
    return joyvane::app::runJoyvane(argc, argv);
}
