% Sum -> Gain -> Sum, and a Derivative fed by its own output: both need their
% input at the same instant; the scope downstream is not part of it
sys = 'm'; new_system(sys)
add_block('built-in/Constant',[sys '/c'])
add_block('built-in/Sum',[sys '/s'],'Inputs','+-')
add_block('built-in/Gain',[sys '/g'])
add_block('built-in/Derivative',[sys '/d'])
add_block('built-in/Gain',[sys '/h'])
add_block('built-in/Scope',[sys '/sc'])
add_line(sys,'c/1','s/1'); add_line(sys,'s/1','g/1'); add_line(sys,'g/1','s/2')
add_line(sys,'d/1','h/1'); add_line(sys,'h/1','d/1')
add_line(sys,'g/1','sc/1')
