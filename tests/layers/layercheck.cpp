// Linked with one whole layer library; never run. See CMakeLists.txt.
int main()
{
    return 0;
}
