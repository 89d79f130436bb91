#include "app/MorvaneApp.h"

int main(int argc, char** argv) {
    CMorvaneApp app;
    return AfxWinMain(app, argc, argv);
}
