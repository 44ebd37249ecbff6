#include "app/startup.h"

int main(int argc, char** argv) { return yorvane::RunProgram(argc, argv); }
