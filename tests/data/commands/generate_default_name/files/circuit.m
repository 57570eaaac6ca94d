% circuit
1 Se,
% end
