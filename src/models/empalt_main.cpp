#include "models/empal_program.h"
#include "models/model_program.h"

int main() { return forecast::models::ModelProgramMain("EMPALT", forecast::models::RunEmpalProgram); }
