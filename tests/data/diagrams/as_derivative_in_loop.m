% x' = 1 - 0.5 x' (a derivative-causality element beside an integral one of
% twice its size) gives x = t / 1.5
sys = 'm'; new_system(sys)
add_block('built-in/Constant',[sys '/one'])
add_block('built-in/Sum',[sys '/s'],'Inputs','+-')
add_block('built-in/Integrator',[sys '/x'])
add_block('built-in/Derivative',[sys '/d'])
add_block('built-in/Gain',[sys '/g'],'Gain','0.5')
add_block('built-in/Scope',[sys '/sc'])
add_line(sys,'one/1','s/1'); add_line(sys,'s/1','x/1'); add_line(sys,'x/1','d/1')
add_line(sys,'d/1','g/1'); add_line(sys,'g/1','s/2'); add_line(sys,'x/1','sc/1')
set_param(sys,'StopTime','2')
