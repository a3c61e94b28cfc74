// SPDX-License-Identifier: MIT
// An empty program: the module that the floor of the page load loads and starts.
int main()
{
    return 0;
}
