#include "ui/program.h"

int main(int argc, char **argv)
{
    return Ui::runProgram(argc, argv);
}
