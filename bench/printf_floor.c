/* The least a program printing brackets' five lines can cost: the same
 * printf calls and nothing else. bench/startup compares against it. */
#include <stdio.h>

int main(void)
{
	printf("%s: %s\n", "()", "true");
	printf("%s: %s\n", "()[]{}", "true");
	printf("%s: %s\n", "(]", "false");
	printf("%s: %s\n", "([)]", "false");
	printf("%s: %s\n", "{[]}", "true");
	return 0;
}
