#include "app/orvo_app.h"

int main(int argc, char** argv) {
    orvo::OrvoApp app;
    return app.run(argc, argv);
}
