// uint32_t CallCompiledCode(uint32_t code, uint32_t count, const uint32_t* arguments)
//
// Pushes the arguments from right to left, calls the code and removes them
// again. ebx, esi and edi are saved here rather than trusted to the callee:
// compiled code resumed in a catch handler returns with whatever the raise
// left in them. The frame keeps the frame-pointer chain whole for the
// exception walk.
        .text
        .globl _CallCompiledCode
_CallCompiledCode:
        pushl   %ebp
        movl    %esp, %ebp
        pushl   %ebx
        pushl   %esi
        pushl   %edi
        movl    12(%ebp), %ecx
        movl    16(%ebp), %edx
1:      testl   %ecx, %ecx
        jz      2f
        decl    %ecx
        pushl   (%edx,%ecx,4)
        jmp     1b
2:      call    *8(%ebp)
        leal    -12(%ebp), %esp
        popl    %edi
        popl    %esi
        popl    %ebx
        popl    %ebp
        ret
